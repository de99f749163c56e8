# VN_MODULE_TARGETS: every library target of host/ and src/ that exists, top first, for the
# programs (tool, benchmarks, fuzz targets) that may use any of them.
set(VN_MODULE_TARGETS "")
foreach(t vn_dialogs vn_comreg vn_cutting vn_sections vn_macrodlg vn_designer vn_standards
          vn_spread vn_frame host_core host_grid host_acad host_win)
  if(TARGET ${t})
    list(APPEND VN_MODULE_TARGETS ${t})
  endif()
endforeach()
