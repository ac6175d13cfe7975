# Hardened binaries, with the flags Debian's dpkg-buildflags gives: fortified C library calls, a strong
# stack protector, position-independent executables, and relocations made read-only and bound at
# start-up. On by default for Release builds, which `make package` makes.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  set(kestrigo_harden_default ON)
else()
  set(kestrigo_harden_default OFF)
endif()
option(KESTRIGO_HARDEN "Build the program and tools with Debian's hardening flags" ${kestrigo_harden_default})

add_library(kestrigo_hardening INTERFACE)
if(KESTRIGO_HARDEN)
  include(CheckPIESupported)
  check_pie_supported()
  # Fortification needs an optimising build; without one the C library only warns.
  target_compile_definitions(kestrigo_hardening INTERFACE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  target_compile_options(kestrigo_hardening INTERFACE -fstack-protector-strong)
  target_link_options(kestrigo_hardening INTERFACE LINKER:-z,relro LINKER:-z,now)
  set_target_properties(kestrigo_hardening PROPERTIES INTERFACE_POSITION_INDEPENDENT_CODE ON)
endif()

# Everything the three programs are built from.
foreach(target kestrigo_core kestrigo_chart kestrigo_app kestrigo_calc kestrigo_replay
               kestrigo kestrigo-calc kestrigo-snapshot)
  target_link_libraries(${target} PRIVATE kestrigo_hardening)
endforeach()
