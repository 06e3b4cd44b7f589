list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/platform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_mask.cpp
)
list(APPEND ZORVAT_UI_SOURCES
)
