# 32-bit Windows GUI programs, static and stripped, importing only system DLLs.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR}/res")
set(CMAKE_RC_COMPILE_OBJECT
    "<CMAKE_RC_COMPILER> <DEFINES> <INCLUDES> <FLAGS> -O coff -i <SOURCE> -o <OBJECT>")

set(ZANTO_GAME_SERVER "127.0.0.1" CACHE STRING "IPv4 address of the game's online server (latency probe)")
set(ZANTO_WEB_TOP "http://127.0.0.1/zanto/" CACHE STRING "official site top page (m_portal)")
set(ZANTO_WEB_NEWS "http://127.0.0.1/zanto/news/" CACHE STRING "official site news page (m_portal)")
set(ZANTO_WEB_TOP_LEGACY "http://127.0.0.1/zanto/win/" CACHE STRING "top page (launcher)")
set(ZANTO_WEB_NEWS_LEGACY "http://127.0.0.1/zanto/win/new/" CACHE STRING "new information page (launcher)")
add_compile_definitions(
  ZANTO_GAME_SERVER="${ZANTO_GAME_SERVER}"
  ZANTO_WEB_TOP="${ZANTO_WEB_TOP}" ZANTO_WEB_NEWS="${ZANTO_WEB_NEWS}"
  ZANTO_WEB_TOP_LEGACY="${ZANTO_WEB_TOP_LEGACY}" ZANTO_WEB_NEWS_LEGACY="${ZANTO_WEB_NEWS_LEGACY}"
  WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0500)
# No -fdata-sections: for PE targets GCC puts every writable variable it
# places in a section of its own into ".data$name", zero-initialised ones too,
# so that the save's fixed buffers (its log, the burst's paths, an access
# list) would take 47 KB of the file instead of costing nothing in .bss. The
# programs' data is all in use, so collecting it per variable saves nothing.
add_compile_options(-Os -ffunction-sections -fno-exceptions -fno-rtti
                    -fno-asynchronous-unwind-tables -fno-threadsafe-statics
                    -ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
# Reproducible: no time stamp in the PE header, so that two builds of the same
# sources give the same bytes wherever they are built (scripts/reproducible.sh).
# Data execution prevention and address space randomisation stay on, and the
# programs tell a terminal server that they need none of its compatibility shims.
set(ZANTO_LINK_FLAGS -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp
    -Wl,--nxcompat -Wl,--dynamicbase -Wl,--tsaware)

add_library(zlogic STATIC ${ZANTO_LOGIC_SOURCES})
add_library(zwin STATIC ${ZANTO_WIN_SOURCES})

# Static imports only of DLLs Windows takes from its own folder whatever lies
# beside the program: its known DLLs, and comctl32 through the manifest.
# launcher therefore takes Windows Sockets 1.1 from ws2_32 too (wsock32 is no
# known DLL and would be searched for in the program's folder first); the
# functions and their behaviour are the same.
set(ZANTO_SYSLIBS_m_portal comctl32 ws2_32 advapi32 user32 kernel32 gdi32)
set(ZANTO_SYSLIBS_launcher comctl32 ws2_32 advapi32 user32 kernel32 gdi32)

# The application layer: apps/shared/ and the program's own apps/<program>/,
# compiled for each program and linked whole ahead of the libraries it calls;
# the layers below call up into it only through core/edition.h, so the
# libraries need no particular order among themselves beyond zwin before zlogic.
file(GLOB app_shared_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/apps/shared/*.cpp)
foreach(app m_portal launcher)
  file(GLOB ed_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/apps/${app}/*.cpp)
  list(FILTER ed_sources EXCLUDE REGEX "winmain\\.cpp$")
  add_library(zapp_${app} OBJECT ${app_shared_sources} ${ed_sources})
  add_library(zres_${app} OBJECT ${CMAKE_SOURCE_DIR}/res/${app}.rc)
  file(GLOB rc_parts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.h
       ${CMAKE_SOURCE_DIR}/res/${app}/*.rc ${CMAKE_SOURCE_DIR}/res/*.ico
       ${CMAKE_SOURCE_DIR}/res/*.manifest)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/res/${app}.rc PROPERTIES OBJECT_DEPENDS "${rc_parts}")
  set(ZANTO_LIBS_${app} zwin zlogic ${ZANTO_SYSLIBS_${app}})

  add_executable(${app} WIN32 ${CMAKE_SOURCE_DIR}/apps/${app}/winmain.cpp $<TARGET_OBJECTS:zapp_${app}>
                 $<TARGET_OBJECTS:zres_${app}>)
  target_link_libraries(${app} PRIVATE ${ZANTO_LIBS_${app}})
  target_link_options(${app} PRIVATE ${ZANTO_LINK_FLAGS} -mwindows)
endforeach()

# Stand-ins for the game's own programs: one source, four names.
foreach(name Zanto Lobby Launcher Updater)
  add_executable(standin_${name} WIN32 ${CMAKE_SOURCE_DIR}/tools/standin.cpp)
  set_target_properties(standin_${name} PROPERTIES OUTPUT_NAME ${name} RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standins)
  target_link_libraries(standin_${name} PRIVATE user32 kernel32)
  target_link_options(standin_${name} PRIVATE ${ZANTO_LINK_FLAGS} -mwindows)
endforeach()

# Stand-ins for Windows' own DLLs, planted beside the programs by the
# end-to-end tests: each records in a file that it was loaded.
foreach(name comctl32 winmm comdlg32 shell32 wsock32 iphlpapi icmp oleacc)
  add_library(standin_dll_${name} SHARED ${CMAKE_SOURCE_DIR}/tools/standin_dll.cpp)
  set_target_properties(standin_dll_${name} PROPERTIES OUTPUT_NAME ${name} PREFIX ""
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standin_dlls)
  target_link_libraries(standin_dll_${name} PRIVATE kernel32)
  target_link_options(standin_dll_${name} PRIVATE ${ZANTO_LINK_FLAGS})
endforeach()

# The names the end-to-end scripts use: control ids and the programs' titles.
file(GLOB id_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/ids_*.h)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/e2e_names.sh
                   COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/e2e-names.sh ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/e2e_names.sh
                   DEPENDS ${CMAKE_SOURCE_DIR}/scripts/e2e-names.sh ${id_headers}
                           ${CMAKE_SOURCE_DIR}/apps/m_portal/edition.cpp ${CMAKE_SOURCE_DIR}/apps/launcher/edition.cpp
                   VERBATIM)
add_custom_target(e2e_names ALL DEPENDS ${CMAKE_BINARY_DIR}/e2e_names.sh)

# The end-to-end driver: finds windows by title and controls by id.
add_executable(zdrive ${CMAKE_SOURCE_DIR}/tools/zdrive.cpp)
target_link_libraries(zdrive PRIVATE comctl32 user32 kernel32 gdi32)
target_compile_options(zdrive PRIVATE -municode)
target_link_options(zdrive PRIVATE ${ZANTO_LINK_FLAGS} -mconsole -municode)

# Tells the test scripts whether this machine runs 32-bit Windows programs.
add_executable(archprobe ${CMAKE_SOURCE_DIR}/tools/archprobe.cpp)
target_link_options(archprobe PRIVATE ${ZANTO_LINK_FLAGS} -mconsole)

add_executable(startup_timer ${CMAKE_SOURCE_DIR}/tools/startup_timer.cpp)
target_compile_options(startup_timer PRIVATE -municode)
target_link_libraries(startup_timer PRIVATE user32 kernel32)
target_link_options(startup_timer PRIVATE ${ZANTO_LINK_FLAGS} -mconsole -municode)

# Floors for the start-up benchmark (tools/floor.cpp): the calls each program's
# start-up must make, with an empty dialog or the program's own main window.
foreach(app m_portal launcher)
  add_executable(floor_${app} WIN32 ${CMAKE_SOURCE_DIR}/tools/floor.cpp ${CMAKE_SOURCE_DIR}/tools/bare_dialog.rc
                 $<TARGET_OBJECTS:zres_${app}>)
  target_link_libraries(floor_${app} PRIVATE comctl32 ws2_32 user32 kernel32)
  target_link_options(floor_${app} PRIVATE ${ZANTO_LINK_FLAGS} -mwindows)
endforeach()

# Baseline for the start-up benchmark: one empty dialog.
add_executable(bare_dialog WIN32 ${CMAKE_SOURCE_DIR}/tools/bare_dialog.cpp ${CMAKE_SOURCE_DIR}/tools/bare_dialog.rc)
target_link_libraries(bare_dialog PRIVATE user32 kernel32)
target_link_options(bare_dialog PRIVATE ${ZANTO_LINK_FLAGS} -mwindows)

# Integration tests: tests/wine/<mp|lc>_<name>_test.cpp, linked with that program's code and resources.
file(GLOB itests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
foreach(t ${itests})
  get_filename_component(tname ${t} NAME_WE)
  if(tname MATCHES "^lc_")
    set(app launcher)
  else()
    set(app m_portal)
  endif()
  add_executable(${tname} ${t} $<TARGET_OBJECTS:zapp_${app}> $<TARGET_OBJECTS:zres_${app}>)
  target_include_directories(${tname} PRIVATE ${CMAKE_SOURCE_DIR}/tests/wine)
  target_link_libraries(${tname} PRIVATE ${ZANTO_LIBS_${app}} winmm comdlg32 shell32)
  target_link_options(${tname} PRIVATE -static -mconsole)
  set_target_properties(${tname} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/itests)
endforeach()
