#include "articles/MemoListBox.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {
} // namespace
