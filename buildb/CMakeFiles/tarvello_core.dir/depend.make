# Empty dependencies file for tarvello_core.
# This may be replaced when dependencies are built.
