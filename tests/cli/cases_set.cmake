# set: values in, commit rules, all-or-nothing with the project untouched.
orvane_cli_script_test(set_project set_project.cmake)
orvane_cli_script_test(set_missing_project_is_exit_2 expect_exit.cmake -DEXPECT=2
                       -DARGS=set|@WORK@/New.WDT|speed=10 -DMUST_NOT_EXIST=@WORK@/New.WDT)
