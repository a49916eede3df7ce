// project/ui may not use the chart windows (only chart/ui may use project/ui).
#pragma once
#include "chart/ui/chart_view.h"
