list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ik_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ik_kind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ik_orgs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ik_kind_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ik_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ik_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ik_print.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ik_print_layouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ik_read.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ik_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ik_write.cpp
)
list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ik_editor.cpp
)
