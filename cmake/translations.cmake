# SPDX-License-Identifier: MIT
# The game's translations. translations/tonvale_<code>.ts hold the texts of the view
# (tr()), the catalogue of the model's texts (src/ui/modeltexts.cpp) and the words of
# the pictures (src/ui/picturewords_table.h); after a change of texts
#
#   cmake --build build/test --target update_translations
#
# runs lupdate over them. Each is compiled to a .qm with the game and carried as a Qt
# resource, ":/i18n/tonvale_<code>.qm"; the language list of the game is read from there.
# The test build adds the test language "xa" (translations/pseudo.cpp), made from the
# German file's source texts at build time.
set(TONVALE_LANGUAGES de es fr ru)
set(TONVALE_TS_FILES "")
foreach(code ${TONVALE_LANGUAGES})
  list(APPEND TONVALE_TS_FILES ${PROJECT_SOURCE_DIR}/translations/tonvale_${code}.ts)
endforeach()
file(GLOB TONVALE_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/ui/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/*.h ${PROJECT_SOURCE_DIR}/src/app/*.cpp)
qt_add_translations(tonvale_ui
  TS_FILES ${TONVALE_TS_FILES}
  SOURCES ${TONVALE_TRANSLATED_SOURCES}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS -no-obsolete -locations none
  LRELEASE_OPTIONS -silent)

if(TONVALE_BUILD_TESTS)
  add_executable(tonvale_pseudo ${PROJECT_SOURCE_DIR}/translations/pseudo.cpp)
  target_link_libraries(tonvale_pseudo PRIVATE Qt6::Core)
  tonvale_plain_code(tonvale_pseudo)
  set(xa_dir ${PROJECT_BINARY_DIR}/translations)
  add_custom_command(OUTPUT ${xa_dir}/tonvale_xa.qm
    COMMAND ${CMAKE_COMMAND} -E make_directory ${xa_dir}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:tonvale_pseudo> ${PROJECT_SOURCE_DIR}/translations/tonvale_de.ts ${xa_dir}/tonvale_xa.ts
    COMMAND Qt6::lrelease -silent ${xa_dir}/tonvale_xa.ts -qm ${xa_dir}/tonvale_xa.qm
    DEPENDS tonvale_pseudo ${PROJECT_SOURCE_DIR}/translations/tonvale_de.ts
    COMMENT "Writing the test language xa")
  qt_add_resources(tonvale_ui "test_language" PREFIX /i18n BASE ${xa_dir} FILES ${xa_dir}/tonvale_xa.qm)
endif()
