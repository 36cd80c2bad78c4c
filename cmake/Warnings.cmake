# Shared compile options for every first-party target.
add_library(orvane_warnings INTERFACE)
target_compile_options(orvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion
  -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast
  $<$<BOOL:${ORVANE_WERROR}>:-Werror>)

if(ORVANE_SANITIZE)
  # The sanitizers watch the game's own code. The code of a target marked
  # ORVANE_PLAIN_TEST_CODE (the tests' drivers, fixtures and assertions) is compiled without
  # them, a third quicker, and still runs with their run-time: the game's own reads and
  # writes are checked as before, and the heap is guarded for all (only a test's own stack
  # has no guard zones). ORVANE_SANITIZED_BUILD tells such code that it runs in the slower
  # build.
  add_compile_options("$<$<NOT:$<BOOL:$<TARGET_PROPERTY:ORVANE_PLAIN_TEST_CODE>>>:-fsanitize=address,undefined;-fno-omit-frame-pointer;-fno-sanitize-recover=undefined>")
  add_compile_definitions(ORVANE_SANITIZED_BUILD)
  # An index past the end of a std::array or std::vector inside one object is no fault the
  # sanitizers can see; the library's own checks make it one.
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  add_link_options(-fsanitize=address,undefined)
endif()
