list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/okd_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/okd_kind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/okd_orgs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/okd_kind_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/okd_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/okd_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/okd_print.cpp
  ${CMAKE_CURRENT_LIST_DIR}/okd_print_layouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/okd_read.cpp
  ${CMAKE_CURRENT_LIST_DIR}/okd_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/okd_write.cpp
)
list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/okd_editor.cpp
)
