# Lists the staged package, file by file, for the installer and the MSI, so that both install
# exactly what the zip holds and remove exactly that again, and never a file of the user's:
#   cmake -DSTAGE=dir -DOUT=dir -P package-files.cmake
# writes OUT/files.nsh (NSIS macros to install and to delete the files, and their size in KiB)
# and OUT/files.wxs (a WiX fragment with one component per file, in component group Files).

cmake_minimum_required(VERSION 3.21)

file(GLOB_RECURSE files RELATIVE "${STAGE}" LIST_DIRECTORIES false "${STAGE}/*")
list(SORT files)

set(install "")
set(delete "")
set(folders "")
set(size 0)
set(last_folder "-")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    file(SIZE "${STAGE}/${file}" bytes)
    math(EXPR size "${size} + (${bytes} + 1023) / 1024")
    string(REPLACE "/" "\\" win "${file}")
    if(NOT folder STREQUAL last_folder)
        string(REPLACE "/" "\\" win_folder "${folder}")
        if(folder)
            string(APPEND install "    SetOutPath \"$INSTDIR\\${win_folder}\"\n")
            list(APPEND folders "${win_folder}")
        else()
            string(APPEND install "    SetOutPath \"$INSTDIR\"\n")
        endif()
        set(last_folder "${folder}")
    endif()
    string(APPEND install "    File \"${STAGE}/${file}\"\n")
    string(APPEND delete "    Delete \"$INSTDIR\\${win}\"\n")
endforeach()
# Deepest folders first; RMDir without /r leaves a folder that still holds something.
list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders)
foreach(folder IN LISTS folders)
    string(APPEND delete "    RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE "${OUT}/files.nsh"
     "!define PACKAGE_SIZE_KB ${size}\n"
     "!macro INSTALL_PACKAGE_FILES\n${install}    SetOutPath \"$INSTDIR\"\n!macroend\n"
     "!macro DELETE_PACKAGE_FILES\n${delete}!macroend\n")

# The MSI: one component per file, each keyed on its file, in a directory tree below INSTALLDIR.
# The program's component is in the main .wxs, with its shortcut.
set(directories "")
set(components "")
set(refs "")
set(n 0)
foreach(file IN LISTS files)
    get_filename_component(name "${file}" NAME)
    get_filename_component(folder "${file}" DIRECTORY)
    if(file STREQUAL "Tallywick.exe")
        continue()
    endif()
    math(EXPR n "${n} + 1")
    set(component "    <Component Id=\"File${n}\" Guid=\"*\" Win64=\"yes\">"
                  "<File Id=\"File${n}\" Name=\"${name}\" Source=\"${STAGE_RELATIVE}/${file}\" KeyPath=\"yes\"/>"
                  "</Component>\n")
    string(JOIN "" component ${component})
    if(folder)
        string(MAKE_C_IDENTIFIER "Dir_${folder}" dir_id)
        if(NOT dir_id IN_LIST directories)
            list(APPEND directories "${dir_id}")
            set(dir_name_${dir_id} "${folder}")
        endif()
        string(APPEND dir_components_${dir_id} "  ${component}")
    else()
        string(APPEND components "${component}")
    endif()
    string(APPEND refs "      <ComponentRef Id=\"File${n}\"/>\n")
endforeach()
foreach(dir_id IN LISTS directories)
    if(dir_name_${dir_id} MATCHES "/")
        message(FATAL_ERROR "the MSI takes one level of folders, not ${dir_name_${dir_id}}")
    endif()
    string(APPEND components "    <Directory Id=\"${dir_id}\" Name=\"${dir_name_${dir_id}}\">\n"
           "${dir_components_${dir_id}}    </Directory>\n")
endforeach()
file(WRITE "${OUT}/files.wxs"
     "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
     "<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">\n  <Fragment>\n"
     "    <DirectoryRef Id=\"INSTALLDIR\">\n${components}    </DirectoryRef>\n"
     "    <ComponentGroup Id=\"Files\">\n${refs}    </ComponentGroup>\n"
     "  </Fragment>\n</Wix>\n")
