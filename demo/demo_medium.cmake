# pandor7_demo_medium(MEDIUM HELLO [DEPENDS...]): the demo medium's menu
# folder, programs and autorun.inf, written into MEDIUM by make_demo.py with
# HELLO as the programs' file; its output is MEDIUM/autorun/filelist.dat.
function(pandor7_demo_medium medium hello)
  file(GLOB_RECURSE texts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/demo/texts/*)
  add_custom_command(
    OUTPUT ${medium}/autorun/filelist.dat
    COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/demo/make_demo.py --out ${medium} --hello ${hello}
    DEPENDS ${PROJECT_SOURCE_DIR}/demo/make_demo.py ${texts} ${ARGN}
    COMMENT "Assembling the demo medium")
endfunction()
