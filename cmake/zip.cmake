# cmake -DZIPPER=<zip program> -DZIP=<zip> -DEPOCH=<seconds> -DFILES=<a|b|...> -P zip.cmake
# Packs the files side by side, in this order, each dated EPOCH; then shows the zip's SHA-256
# and writes it to SHA256SUMS beside it.
get_filename_component(dir ${ZIP} DIRECTORY)
set(stage ${dir}/zip-stage)
file(REMOVE_RECURSE ${stage})
string(REPLACE "|" ";" FILES "${FILES}")
set(names)
foreach(file IN LISTS FILES)
  file(COPY ${file} DESTINATION ${stage})
  get_filename_component(name ${file} NAME)
  list(APPEND names ${name})
endforeach()
file(REMOVE ${ZIP})
# A zip entry's date is local time, so one zone for all; -X leaves out the extra fields
# that would carry the files' own access and change times.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC touch -d @${EPOCH} -- ${names}
                COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIPPER} -q -X -D ${ZIP} -- ${names}
                COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${stage})
file(SHA256 ${ZIP} hash)
get_filename_component(zipname ${ZIP} NAME)
file(WRITE ${dir}/SHA256SUMS "${hash}  ${zipname}\n")
message("${hash}  ${zipname}")
