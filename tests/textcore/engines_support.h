#pragma once
// The benchmarks include the helpers under this name.
#include "testdata.h"
