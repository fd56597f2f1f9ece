// Resource ids of both programs, one header per dialog. The resource scripts
// and the tests include them all; a program file includes only the header of
// its own dialog, so that an id of another dialog (the numbers repeat across
// dialogs) does not compile there.
#pragma once
#include "ids_main.h"
#include "ids_connect.h"
#include "ids_sheet.h"
#include "ids_controls.h"
#include "ids_online.h"
#include "ids_quickmsg.h"
#include "ids_video.h"
#include "ids_sound.h"
#include "ids_folder.h"
#include "ids_about.h"
#include "ids_assign.h"
