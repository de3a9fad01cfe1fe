file(REMOVE_RECURSE
  "libtarvello_core.a"
)
