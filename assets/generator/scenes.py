"""Mock-ups for the contact sheet: the pictures put together roughly the way
the program shows them (the top of the main window, the exit question), so
one can judge whether they look like one product. Not shipped."""
from . import font
from .canvas import Canvas, Mask, linear
from .palette import HOST_BLUE, WHITE

TEXT = (34, 34, 34, 1.0)


def blit(target, source, src, dst, flip=False):
    """Draws the source rectangle src = (x, y, w, h) of a canvas stretched over dst, bilinear."""
    sx, sy, sw, sh = src
    dx, dy, dw, dh = dst
    for j in range(dh):
        v = sy + (j + 0.5) * sh / dh - 0.5
        if flip:
            v = sy + sh - 1 - (v - sy)
        v = min(max(v, sy), sy + sh - 1)
        y0 = int(v)
        y1, fy = min(y0 + 1, sy + sh - 1), v - y0
        for i in range(dw):
            u = min(max(sx + (i + 0.5) * sw / dw - 0.5, sx), sx + sw - 1)
            x0 = int(u)
            x1, fx = min(x0 + 1, sx + sw - 1), u - x0
            t = (dy + j) * target.width + dx + i
            corners = ((y0 * source.width + x0, (1 - fx) * (1 - fy)), (y0 * source.width + x1, fx * (1 - fy)),
                       (y1 * source.width + x0, (1 - fx) * fy), (y1 * source.width + x1, fx * fy))
            r = sum(source.r[k] * w for k, w in corners)
            g = sum(source.g[k] * w for k, w in corners)
            b = sum(source.b[k] * w for k, w in corners)
            a = sum(source.a[k] * w for k, w in corners)
            keep = 1.0 - a
            target.r[t] = r + target.r[t] * keep
            target.g[t] = g + target.g[t] * keep
            target.b[t] = b + target.b[t] * keep
            target.a[t] = a + target.a[t] * keep


def nine_patch(target, source, piece, centre, dst):
    """Stretches a piece around its centre slice, keeping the borders at their size."""
    px, py, pw, ph = piece
    cx, cy, cw, ch = centre
    dx, dy, dw, dh = dst
    columns = [(0, cx, 0, cx), (cx, cw, cx, dw - (pw - cw)), (cx + cw, pw - cx - cw, dw - (pw - cx - cw), pw - cx - cw)]
    rows = [(0, cy, 0, cy), (cy, ch, cy, dh - (ph - ch)), (cy + ch, ph - cy - ch, dh - (ph - cy - ch), ph - cy - ch)]
    for sx, sw, ox, ow in columns:
        for sy, sh, oy, oh in rows:
            if sw > 0 and sh > 0 and ow > 0 and oh > 0:
                blit(target, source, (px + sx, py + sy, sw, sh), (dx + ox, dy + oy, ow, oh))


def text(target, caption, x, baseline, colour):
    mask, width = font.bitmap_text(target.width, target.height, caption, 12, x, baseline)
    target.fill(mask, colour)
    return width


def centred_text(target, caption, box, colour):
    x, y, w, h = box
    width = font.bitmap_width(caption, 12)
    text(target, caption, x + (w - width) // 2, y + (h + 10) // 2, colour)


def main_window(pictures):
    """The top of the main window at 1000 x 150: caption buttons, logo, banner,
    action and chat buttons, the button plug-in's button and two tabs."""
    c = Canvas(1000, 150, HOST_BLUE)
    skin = pictures["stage/caption-skin.png-nosig"][0]
    x = c.width
    for width, normal_x, state in ((39, 0, 0), (28, 120, 0), (28, 294, 1), (28, 381, 0)):
        x -= width
        blit(c, skin, (normal_x + state * (width + 1), 2, width, 18), (x, 0, width, 18))
    logo = pictures["img/logo.ico"][2]  # the 48 x 48 image
    c.draw(logo, 10, 12)
    banner = pictures["img/banner.png"][0]
    blit(c, banner, (0, 0, banner.width, banner.height), (60, 10, 355, 50))
    c.fill(Mask(c.width, c.height, [1.0 if 68 <= i // c.width < 70 and 5 <= i % c.width < 456 else 0.0
                                    for i in range(c.width * c.height)]),
           linear((5, 0), (456, 0), [(0, (96, 96, 96, 254 / 255)), (1, (96, 96, 96, 0.0))]))
    icon = pictures["img/help-icon.ico"][0]
    caption_width = font.bitmap_width("使用帮助", 12)
    left = 466 + (110 - (32 + 4 + caption_width)) // 2
    c.draw(icon, left, 24)
    text(c, "使用帮助", left + 36, 45, WHITE)
    chat = pictures["img/chat-button.png"][0]
    c.draw(chat, 586 + 2, 30 + 2)
    join = pictures["button/join-group.png"][0]
    c.draw(join, 731 + 3, 32 + 2)
    strip = pictures["stage/tab-strip.png"][0]
    nine_patch(c, strip, (0, 0, 10, 32), (2, 2, 6, 28), (8, 78, 984, 68))
    highlight = pictures["stage/tab-highlight.png"][0]
    tabs = (("nimbra/icon.ico", "百度网盘", [80]), ("magla/icon.ico", "磁力链接", [0]))
    for i, (icon_path, title, cells) in enumerate(tabs):
        left = 7 + 100 * i
        for cell in cells:
            blit(c, highlight, (cell, 0, 80, 75), (left, 78, 100, 68))
        c.draw(pictures[icon_path][0], left + 26, 78 + 2)
        centred_text(c, title, (left, 78 + 50, 100, 16), TEXT)
    return c


def exit_question(pictures):
    """The exit question as the message box paints it (320 x 150 on the owner's blue)."""
    c = Canvas(320, 150, HOST_BLUE)
    strip = pictures["stage/message-strip.png"][0]
    blit(c, strip, (0, 0, 1, 96), (7, 7, 306, 96))
    blit(c, strip, (0, 76, 1, 21), (7, 103, 306, 5), flip=True)
    blit(c, strip, (0, 129, 1, 31), (7, 108, 306, 35))
    states = pictures["stage/message-states.png"][0]
    blit(c, states, (80, 0, 40, 40), (30, 40, 40, 40))
    text(c, "您确定要退出程序吗？", 85, 43 + 4 + 12, TEXT)
    glow = pictures["stage/glow-button.png"][0]
    for position, caption, piece in ((1, "点错了", 0), (2, "退出程序", 14)):
        box = (320 - 75 * position - 10, 150 - 35, 70, 26)
        nine_patch(c, glow, (piece, 0, 13, 28), (5, 5, 3, 15), box)
        centred_text(c, caption, box, TEXT)
    return c


SCENES = [("the top of the main window (mock-up)", main_window),
          ("the exit question (mock-up)", exit_question)]
