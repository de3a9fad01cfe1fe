# Empty dependencies file for tarvello-cli.
# This may be replaced when dependencies are built.
