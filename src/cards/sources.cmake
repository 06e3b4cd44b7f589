list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/card_kinds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_orgs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/basic_card_kind.cpp
)
list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/card_editors.cpp
)
