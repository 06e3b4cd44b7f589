list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/mask_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exit_wiring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_factory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/separator_guard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_builder.cpp
)
