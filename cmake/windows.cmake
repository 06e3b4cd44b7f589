# What the Windows build adds: the programs' icon and version information, all programs in
# one folder beside the dictionaries and Qt's translations they use, tests run under Wine,
# and `cmake --install` collecting everything a Windows PC needs into one folder.

# Every program lands in bin/, where the test programs also find the dictionaries and
# translations the installed programs have beside them.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
# The resource scripts carry Ukrainian text in UTF-8.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

if(NOT ZORVAT_WINKIT_PREFIX)
  message(FATAL_ERROR "The Windows build needs the kit: -DZORVAT_WINKIT_PREFIX=<kit> (scripts/windows)")
endif()

# zorvat_windows_resources(TARGET FILE DESCRIPTION): icon and version information.
function(zorvat_windows_resources target file description)
  set(ZORVAT_RC_FILE ${file})
  set(ZORVAT_RC_NAME ${target})
  set(ZORVAT_RC_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/zorvat.ico)
  set(ZORVAT_RC_DESCRIPTION ${description})
  set(ZORVAT_RC_PRODUCT "ЗОРВАТ")
  set(ZORVAT_RC_PUBLISHER "Розробники ЗОРВАТ")
  set(ZORVAT_RC_COPYRIGHT "© 2026 розробники ЗОРВАТ. Ліцензія GNU GPL версії 3 або пізнішої (GPL-3.0-or-later)")
  set(rc ${PROJECT_BINARY_DIR}/generated/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

# The Hunspell dictionaries (Debian's hunspell-uk and hunspell-en-us) and Qt's Ukrainian
# translations (qt6-translations-l10n) travel with the programs: a Windows PC has neither.
set(ZORVAT_WIN_DICTIONARIES /usr/share/hunspell/uk_UA.aff /usr/share/hunspell/uk_UA.dic
                            /usr/share/hunspell/en_US.aff /usr/share/hunspell/en_US.dic)
set(ZORVAT_WIN_TRANSLATIONS /usr/share/qt6/translations/qtbase_uk.qm)
foreach(f IN LISTS ZORVAT_WIN_DICTIONARIES ZORVAT_WIN_TRANSLATIONS)
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "${f} is missing: install hunspell-uk, hunspell-en-us and qt6-translations-l10n")
  endif()
endforeach()
file(COPY ${ZORVAT_WIN_DICTIONARIES} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/dictionaries)
file(COPY ${ZORVAT_WIN_TRANSLATIONS} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)

# Paths the test programs are given are Linux paths; under Wine they are on drive Z:.
set(ZORVAT_NATIVE_PATH_PREFIX "Z:")
# Qt's offscreen platform, which the tests run on, takes its fonts from this one folder on
# Windows: Debian's Liberation fonts, the metric twins of Arial and Times New Roman.
set(ZORVAT_TEST_FONTS "Z:/usr/share/fonts/truetype/liberation")
