# Hardened code generation for the whole project, as distributions build their packages: position-independent
# executables, checked buffer functions, stack protection and a read-only relocation table bound at start.
# Left out of the sanitizer and fuzzer builds, whose run-time checks replace the same functions.
option(RNA_HARDEN "Build with the usual distribution hardening flags" ON)
if(NOT RNA_HARDEN OR RNA_SANITIZE OR RNA_FUZZ)
  return()
endif()

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong)
# The checked functions need the optimiser; a build without it would only get the compiler's warning.
add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
add_link_options(-Wl,-z,relro,-z,now)
