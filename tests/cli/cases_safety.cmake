# Inputs that are no regular files or too large, GIS exports on a full disk,
# over read-only files and through links.
orvane_cli_script_test(readers_refuse_what_is_no_file hostile_readers.cmake -DGIS=$<TARGET_EXISTS:orvane_gis>)
set_tests_properties(cli_readers_refuse_what_is_no_file PROPERTIES TIMEOUT 120)
if(TARGET orvane_gis)
  orvane_cli_script_test(gis_export_protection gis_export_protection.cmake)
  orvane_cli_script_test(gis_export_full_disk gis_export_full_disk.cmake)
  set_tests_properties(cli_gis_export_full_disk PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED: ")
endif()
