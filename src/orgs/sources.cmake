list(APPEND ZORVAT_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/organisation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/org_group.cpp
  ${CMAKE_CURRENT_LIST_DIR}/org_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/org_import.cpp
)
list(APPEND ZORVAT_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/org_assist.cpp
  ${CMAKE_CURRENT_LIST_DIR}/org_directory.cpp
)
