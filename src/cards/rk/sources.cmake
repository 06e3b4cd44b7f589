list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/rk_kind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rk_orgs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rk_kind_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rk_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rk_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rk_read.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rk_write.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rk_print_layouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rk_print.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rk_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rk_pages.cpp
)
list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/rk_editor.cpp
)
