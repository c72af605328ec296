# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
# The C library locales the tests and fuzz targets run under, made from the machine's locale
# sources into the build tree, so a machine that has none of them installed still runs every
# one. The interface library test_locales gives a target their folder as TEST_LOCALE_DIR, for
# LOCPATH, and makes them before it is built.
set(test_locale_dir ${CMAKE_BINARY_DIR}/locale)
set(test_locale_files)
set(locale_sources /usr/share/i18n/locales)
foreach(name de_DE ps_AF fa_IR ar_EG zh_CN)
  if(NOT EXISTS ${locale_sources}/${name})
    message(FATAL_ERROR "No locale source ${locale_sources}/${name}: scripts/setup installs the package locales")
  endif()
  set(made ${test_locale_dir}/${name}.UTF-8/LC_NUMERIC)
  add_custom_command(OUTPUT ${made}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${test_locale_dir}
    COMMAND localedef --inputfile=${name} --charmap=UTF-8 ${test_locale_dir}/${name}.UTF-8
    DEPENDS ${locale_sources}/${name}
    COMMENT "Making the locale ${name}.UTF-8 for the tests"
    VERBATIM)
  list(APPEND test_locale_files ${made})
endforeach()
add_custom_target(test_locale_data DEPENDS ${test_locale_files})

add_library(test_locales INTERFACE)
target_compile_definitions(test_locales INTERFACE TEST_LOCALE_DIR="${test_locale_dir}")
add_dependencies(test_locales test_locale_data)
