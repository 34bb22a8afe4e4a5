// Breaking the links among components a failed load had read.  A port holds
// a reference to each component in its link list and its owner holds the
// port, so a record whose port lists its owner (or a link that lists the
// port again) makes objects that keep one another alive once the load lets
// go of them; every such link is undone first.
#pragma once

class CQYCompList;

// Detaches every link of every port reachable from the list's components
// (their ports, the components those ports list, their ports, ...).  The
// components stay alive until this returns.
void QYDetachLoadedLinks(const CQYCompList& list);
