# The modules are static libraries, each linked only to the ones below it:
# gui <- plan <- run <- app. A layer check links a module's whole archive into
# a DLL beside nothing but those modules, so a call into a module above (or a
# missing one) fails the build instead of linking by luck of the link order.
function(bundelor_module name)
  cmake_parse_arguments(MODULE "" "" "SOURCES;BELOW;SYSTEM" ${ARGN})
  add_library(${name} STATIC ${MODULE_SOURCES})
  target_link_libraries(${name} PUBLIC bundelor_options ${MODULE_BELOW} ${MODULE_SYSTEM})
  add_library(${name}_layer_check SHARED ${CMAKE_SOURCE_DIR}/cmake/layer_check.cpp)
  target_link_libraries(${name}_layer_check PRIVATE
    "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}>" ${MODULE_BELOW} ${MODULE_SYSTEM})
endfunction()
