list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/platform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_recovery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_mask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_list.cpp
)
list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/mask_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exit_wiring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_factory.cpp
)
