# CMake generated Testfile for 
# Source directory: /work/wt/dia
# Build directory: /work/wt/dia/buildb
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt/dia/buildb/tarvello_tests[1]_include.cmake")
