# Empty dependencies file for tarvello_tests.
# This may be replaced when dependencies are built.
