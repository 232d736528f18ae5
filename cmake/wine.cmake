# Every Windows program the build or the tests start goes through wine-run.sh,
# which keeps a private 32-bit Wine prefix inside the build folder.
set(WINE_RUN ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${CMAKE_BINARY_DIR})
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_RUN})
