# Empty compiler generated dependencies file for bench_base.
# This may be replaced when dependencies are built.
