# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what makes a program a desktop program: its menu entry, its AppStream metainfo
# and its icon at every size drawn, all named after the application id.
function(install_desktop_integration app_id)
  set(here ${CMAKE_CURRENT_SOURCE_DIR})
  install(FILES ${here}/desktop/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${here}/desktop/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${here}/pictures/icons/${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${app_id}.png)
  endforeach()
endfunction()
