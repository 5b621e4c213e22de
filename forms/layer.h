// The whole forms layer in one include. See forms/form.h for how to write a form.
#pragma once

#include "forms/commands.h"
#include "forms/common_dialog.h"
#include "forms/control.h"
#include "forms/controls.h"
#include "forms/file_lists.h"
#include "forms/flex_grid.h"
#include "forms/form.h"
#include "forms/keys.h"
#include "forms/printer.h"
#include "forms/program.h"
#include "forms/qt_services.h"
#include "forms/services.h"
#include "forms/units.h"
