# cmake -D PACKAGE_DIR=... -D QRC=... -P writeqrc.cmake
# Lists every file of the course package in a resource collection under the
# prefix /course, each under its own name (the resource number).
file(GLOB names RELATIVE ${PACKAGE_DIR} ${PACKAGE_DIR}/*)
list(SORT names COMPARE NATURAL)
set(text "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/course\">\n")
foreach(name IN LISTS names)
    string(APPEND text "    <file alias=\"${name}\">${PACKAGE_DIR}/${name}</file>\n")
endforeach()
string(APPEND text "</qresource>\n</RCC>\n")
file(WRITE ${QRC} "${text}")
