# cmake -D PACKAGE_DIR=... -D QRC=... -D PAGES_QRC=... -P writeqrc.cmake
# Lists every file of the course package under the prefix /course, each under
# its own name (the resource number): the question pages (web archives) in
# PAGES_QRC, everything else (descriptor, tables, templates, pictures) in QRC.
# Packed apart, what the program reads at start-up lies together, and the
# pages are not paged in until a paper opens.
file(GLOB names RELATIVE ${PACKAGE_DIR} ${PACKAGE_DIR}/*)
list(SORT names COMPARE NATURAL)
string(HEX "MIME-Version:" archive_start)
set(head "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/course\">\n")
set(text "${head}")
set(pages "${head}")
foreach(name IN LISTS names)
    file(READ ${PACKAGE_DIR}/${name} start LIMIT 13 HEX)
    set(line "    <file alias=\"${name}\">${PACKAGE_DIR}/${name}</file>\n")
    if(start STREQUAL archive_start)
        string(APPEND pages "${line}")
    else()
        string(APPEND text "${line}")
    endif()
endforeach()
string(APPEND text "</qresource>\n</RCC>\n")
string(APPEND pages "</qresource>\n</RCC>\n")
file(WRITE ${QRC} "${text}")
file(WRITE ${PAGES_QRC} "${pages}")
