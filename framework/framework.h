#pragma once
// Everything the program's classes use from the framework.

#include "framework/cstring.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/ip_address_ctrl.h"
#include "framework/menu.h"
#include "framework/paint_dc.h"
#include "framework/win_app.h"
#include "framework/wnd.h"
