# The fuzz entries: one function per input surface, compiled into the
# libFuzzer targets (tests/fuzz, clang) and into the replay tests of the
# normal build (tests/hostile_input, tests/designer_hostile_input), so that
# both run the same code.
if(NOT TARGET tessel_fuzz_entries)
  set(dir ${CMAKE_CURRENT_LIST_DIR})
  add_library(tessel_fuzz_entries STATIC
    ${dir}/invariant.cpp ${dir}/scratch_folder.cpp ${dir}/quiet_engine.cpp
    ${dir}/export_calls.cpp ${dir}/picture_check.cpp ${dir}/sound_report.cpp ${dir}/raster_printer.cpp ${dir}/preview_walk.cpp
    ${dir}/ini_entry.cpp ${dir}/qnf_entry.cpp ${dir}/rtf_entry.cpp
    ${dir}/bmp_entry.cpp ${dir}/jpeg_entry.cpp ${dir}/script_entry.cpp)
  target_include_directories(tessel_fuzz_entries PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(tessel_fuzz_entries PUBLIC tessel_engine_exports tessel_host_core Qt6::Gui)
  target_compile_definitions(tessel_fuzz_entries PRIVATE
    TESSEL_FUZZ_SAMPLES="${PROJECT_SOURCE_DIR}/samples")
  tessel_warnings(tessel_fuzz_entries)

  # The designer's surfaces, apart so that the engine's targets and tests
  # link no designer.
  add_library(tessel_fuzz_designer_entries STATIC
    ${dir}/designer_session.cpp ${dir}/designer_checks.cpp
    ${dir}/designer_qnf_entry.cpp ${dir}/global_styles_entry.cpp)
  target_link_libraries(tessel_fuzz_designer_entries PUBLIC tessel_fuzz_entries tessel_designer)
  tessel_warnings(tessel_fuzz_designer_entries)
endif()
