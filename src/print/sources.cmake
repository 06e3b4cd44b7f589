list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/page_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layout_kit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_printout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_wrap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paragraph_widths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dop_sheets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_layouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/continuation_sheets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print_job.cpp
)
list(APPEND ZORVAT_UI_SOURCES
)
