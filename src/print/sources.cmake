list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/page_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_layouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_renderer.cpp
)
list(APPEND ZORVAT_UI_SOURCES
)
