list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/card_editor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/confirm_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guide_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_guide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hint_timing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/problem_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_platform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_translations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paged_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toolbar_icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_fit.cpp
)
