list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/cp1251.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_item.cpp
  ${CMAKE_CURRENT_LIST_DIR}/atomic_write.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/io_reason.cpp
)
