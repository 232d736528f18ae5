"""The colours every picture draws from, so the set looks like one product.

The host paints its window in HOST_BLUE; glyphs meant for it are white.
"""
HOST_BLUE = (38, 110, 190, 1.0)
WHITE = (255, 255, 255, 1.0)

INK = (22, 50, 92, 1.0)            # deep navy for strokes on light ground
BLUE_DARK = (24, 82, 156, 1.0)
BLUE = (44, 122, 212, 1.0)
BLUE_LIGHT = (92, 164, 240, 1.0)
BLUE_PALE = (204, 226, 250, 1.0)
BLUE_MIST = (236, 244, 253, 1.0)

AMBER = (246, 170, 46, 1.0)
AMBER_DARK = (226, 122, 28, 1.0)
RED = (222, 76, 66, 1.0)
RED_DARK = (186, 46, 40, 1.0)
GREEN = (44, 168, 108, 1.0)
GREEN_DARK = (26, 132, 82, 1.0)

GREY_DARK = (96, 108, 124, 1.0)
GREY = (150, 162, 176, 1.0)
GREY_LIGHT = (214, 221, 230, 1.0)
GREY_MIST = (242, 245, 249, 1.0)

SHADOW = (10, 30, 60, 1.0)         # drop shadows, always at low alpha
TAB_STRIP = (237, 237, 237, 1.0)   # the tab strip the plug-in icons sit on
