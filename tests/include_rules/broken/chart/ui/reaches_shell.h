// A subsystem window that reaches into the shell: refused.
#pragma once
#include "app/ui/main_window.h"
