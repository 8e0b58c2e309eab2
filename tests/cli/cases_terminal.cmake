# Text from files reaches the terminal with its control characters written out.
orvane_cli_script_test(terminal_text terminal_text.cmake -DPATCH=$<TARGET_FILE:orvane_patch_project>)
