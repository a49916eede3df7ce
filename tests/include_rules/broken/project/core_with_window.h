// A core header that includes a window and Qt: refused.
#pragma once
#include <QString>
#include "project/ui/library_window.h"
