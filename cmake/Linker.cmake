# LLVM's linker links a test program with its debug information in a seventh of the time
# GNU ld takes (1.1 s against 7.5 s for the window tests), and the tree links some forty
# programs: it is taken wherever it is installed, and GNU ld stays the fallback.
option(ORVANE_LLD "Link with ld.lld when it is installed" ON)
if(ORVANE_LLD)
  find_program(ORVANE_LD_LLD ld.lld)
  if(ORVANE_LD_LLD)
    add_link_options(-fuse-ld=lld)
  endif()
endif()
