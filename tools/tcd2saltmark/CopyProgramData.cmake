# cmake -D FROM=<program folder> -D TO=<program folder> -P CopyProgramData.cmake
# Copies the bundled databases and their index from one program folder to
# another; fails if the first holds no index, so that no build runs its
# tests on a folder without data.
if(NOT EXISTS "${FROM}/SALTMARK.IND")
  message(FATAL_ERROR "${FROM} holds no SALTMARK.IND: build that folder's data first")
endif()
file(GLOB databases "${FROM}/SALTMARK.IND" "${FROM}/*.tid" "${FROM}/*.dif" "${FROM}/*.vel")
file(COPY ${databases} DESTINATION "${TO}")
