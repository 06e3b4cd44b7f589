list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/speller.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spell_highlighter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/word_list_file.cpp
)
list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/writing_aids.cpp
)
