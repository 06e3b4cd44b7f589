list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/platform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_row.cpp
  ${CMAKE_CURRENT_LIST_DIR}/common_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bilingual_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/party_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/record_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/line_interpreter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_kind_by_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_recovery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_mask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/common_rules.cpp
)
list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/mask_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exit_wiring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_factory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/separator_guard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_builder.cpp
)
