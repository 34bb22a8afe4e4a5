// The errors collections raise, as the framework's exceptions: an allocation
// that fails, and a misuse that would otherwise read or write outside the
// collection (an index out of range, a NULL position, removing from an empty
// list, a negative size).
#pragma once

[[noreturn]] void ThrowCollectionOutOfMemory();
[[noreturn]] void ThrowCollectionBadArgument();
