# Copies a Linux build's demo simulator tree (HOST_SIM) into a Windows build's
# (DEST_SIM): the data, the skin and the guide, not the Linux programs and
# library. Run with cmake -P.
foreach(var HOST_SIM DEST_SIM)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CopyHostTree: ${var} is not set")
  endif()
endforeach()
if(NOT EXISTS "${HOST_SIM}/Kestrelworks Software/Decalia/Media")
  message(FATAL_ERROR "No demo tree in ${HOST_SIM}: build Decalia for Linux there first")
endif()
file(COPY "${HOST_SIM}/" DESTINATION "${DEST_SIM}"
  REGEX "/Decalia/decalia[^/]*$" EXCLUDE
  REGEX "/Decalia/lib[^/]*\\.so$" EXCLUDE)
