list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ok_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ok_kind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ok_orgs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ok_kind_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ok_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ok_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ok_print.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ok_print_layouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ok_read.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ok_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ok_write.cpp
)
list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ok_editor.cpp
)
