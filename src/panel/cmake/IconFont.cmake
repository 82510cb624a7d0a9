# Embeds the Material Icons font (from Debian's fonts-material-design-icons-iconfont) into a target.
set(GLOWDECK_ICON_FONT
    "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf"
    CACHE FILEPATH "The Material Icons TrueType font embedded for the panel's symbol icons")

function(glowdeck_embed_icon_font target)
    if(NOT EXISTS "${GLOWDECK_ICON_FONT}")
        message(FATAL_ERROR
            "The Material Icons font was not found at ${GLOWDECK_ICON_FONT}.\n"
            "Install it (apt-get install fonts-material-design-icons-iconfont) or point "
            "GLOWDECK_ICON_FONT at MaterialIcons-Regular.ttf.")
    endif()
    set(font_dir "${CMAKE_CURRENT_BINARY_DIR}/iconfont")
    configure_file("${GLOWDECK_ICON_FONT}" "${font_dir}/MaterialIcons-Regular.ttf" COPYONLY)
    qt_add_resources(${target} glowdeck_icon_font
        PREFIX "/glowdeck/fonts"
        BASE "${font_dir}"
        FILES "${font_dir}/MaterialIcons-Regular.ttf"
    )
endfunction()
