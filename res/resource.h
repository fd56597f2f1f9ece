// Resource ids of both programs, one header per dialog.
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
