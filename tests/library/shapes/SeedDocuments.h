// Small documents holding every kind of shape, line, link, line end and
// group, written by the data model: the seeds of the shapes fuzz target and
// the pages its replay test loads.
#pragma once

#include "ModelBytes.h"

#include <string>
#include <utility>
#include <vector>

std::vector<std::pair<std::string, Bytes>> QYShapeSeedDocuments();
