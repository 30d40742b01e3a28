<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>程序主页</source>
        <translation>Program home page</translation>
    </message>
    <message>
        <source>关于卡片</source>
        <translation>About card</translation>
    </message>
    <message>
        <source>单击打开程序主页</source>
        <translation>Click to open the program&apos;s home page</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>版本号 %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>红</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Blue</translation>
    </message>
</context>
<context>
    <name>ButtonColumn</name>
    <message>
        <source>带颜色前缀</source>
        <translation>With the colour prefix</translation>
    </message>
    <message>
        <source>取色的格式</source>
        <translation>Format of the picked colour</translation>
    </message>
    <message>
        <source>自动把颜色数值或颜色样图放入剪贴板</source>
        <translation>Put the colour value or a colour swatch on the clipboard at once</translation>
    </message>
    <message>
        <source>剪贴板内容</source>
        <translation>Clipboard content</translation>
    </message>
    <message>
        <source>加入收藏</source>
        <translation>Add to favourites</translation>
    </message>
    <message>
        <source>开始取色</source>
        <translation>Start picking</translation>
    </message>
    <message>
        <source>复制颜色</source>
        <translation>Copy colour</translation>
    </message>
    <message>
        <source>收藏颜色</source>
        <translation>Add favourite</translation>
    </message>
    <message>
        <source>其他功能</source>
        <translation>More</translation>
    </message>
    <message>
        <source>帮助文档</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>菜单键打开帮助菜单</source>
        <translation>The Menu key opens the help menu</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>总在最上方</source>
        <translation>Keep on top</translation>
    </message>
    <message>
        <source>停止取色</source>
        <translation>Stop picking</translation>
    </message>
</context>
<context>
    <name>ColorListFiles</name>
    <message>
        <source>颜色列表文件</source>
        <translation>Colour list file</translation>
    </message>
    <message>
        <source>GIMP 调色板</source>
        <translation>GIMP palette</translation>
    </message>
    <message>
        <source>CSS 自定义属性</source>
        <translation>CSS custom properties</translation>
    </message>
</context>
<context>
    <name>ColorPicker</name>
    <message>
        <source>收藏颜色 #</source>
        <translation>the favourite #</translation>
    </message>
    <message>
        <source>没有收藏颜色，无从比较对比度</source>
        <translation>No favourite colour to compare the contrast with</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>未通过</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>与%1 的对比度 %2
AA：普通文字%3，大字%4
AAA：普通文字%5，大字%6</source>
        <translation>Contrast with %1: %2
AA: normal text %3, large text %4
AAA: normal text %5, large text %6</translation>
    </message>
    <message>
        <source>已复制与%1 的对比度 %2</source>
        <translation>Copied the contrast with %1: %2</translation>
    </message>
</context>
<context>
    <name>ColorSwatch</name>
    <message>
        <source>颜色 #%1</source>
        <translation>Colour #%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tintra: a screen colour picker. With no options it opens its window.</source>
        <translation>Tintra: a screen colour picker. With no options it opens its window.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Show this help and end.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Show the version and end.</translation>
    </message>
    <message>
        <source>Write the colour under the pointer and end, without the window. Where the desktop shows a pick mode or a picking tool, the colour is the one clicked.</source>
        <translation>Write the colour under the pointer and end, without the window. Where the desktop shows a pick mode or a picking tool, the colour is the one clicked.</translation>
    </message>
    <message>
        <source>The colour&apos;s text with --pick: html (the default), rgb, delphi, hsl, hex, hsv, or for style sheets and shaders css-rgb, css-hsl, oklch or float.</source>
        <translation>The colour&apos;s text with --pick: html (the default), rgb, delphi, hsl, hex, hsv, or for style sheets and shaders css-rgb, css-hsl, oklch or float.</translation>
    </message>
    <message>
        <source>With --pick, leave out the prefix of the html, delphi and hex texts (# $ 0x).</source>
        <translation>With --pick, leave out the prefix of the html, delphi and hex texts (# $ 0x).</translation>
    </message>
    <message>
        <source>tintra: %1
Try &apos;tintra --help&apos;.</source>
        <translation>tintra: %1
Try &apos;tintra --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--format and --no-prefix go with --pick.</source>
        <translation>--format and --no-prefix go with --pick.</translation>
    </message>
    <message>
        <source>no format is called &apos;%1&apos;.</source>
        <translation>no format is called &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>ExamplesWindow</name>
    <message>
        <source>QuilloTintra使用实例</source>
        <translation>QuilloTintra examples</translation>
    </message>
    <message>
        <source>1、如果你选择了『剪贴颜色数值』，当选择颜色列表的一个颜色后， 可直接打开一个文本编辑器，用点击鼠标右键，在弹出框选择粘贴颜色数值（或用快捷键Ctrl+V）； </source>
        <translation>1. With “Copy value” chosen, pick a colour in the colour list, then open any text editor, right-click and choose Paste in the menu (or press Ctrl+V) to paste the colour value.</translation>
    </message>
    <message>
        <source>2、如果你选择了『剪贴颜色样图』，当选择颜色列表的一个颜色后，可直接打开画图或PhotoShop等工具，点击鼠标右键，在弹出框选择粘贴颜色样图（或用快捷键Ctrl+V）；</source>
        <translation>2. With “Copy swatch” chosen, pick a colour in the colour list, then open Paint, PhotoShop or any image tool, right-click and choose Paste in the menu (or press Ctrl+V) to paste the colour swatch.</translation>
    </message>
    <message>
        <source>3、鼠标单击可选框『开始取色』，软件将继续取色。QuilloTintra1.1还新增了按钮『复制颜色』，在调整调色板后，单击按钮『复制颜色』，可把调整颜色放入剪贴板。</source>
        <translation>3. Click “Start picking” and the program picks again. QuilloTintra 1.1 also has the button “Copy colour”: after setting a colour on the palette, click “Copy colour” to put it on the clipboard.</translation>
    </message>
    <message>
        <source>上下滚动</source>
        <translation>Scroll up and down</translation>
    </message>
    <message>
        <source>左右滚动</source>
        <translation>Scroll left and right</translation>
    </message>
    <message>
        <source>示例：把颜色数值粘贴到文本编辑器</source>
        <translation>Example: pasting the colour value into a text editor</translation>
    </message>
    <message>
        <source>示例：把颜色样图粘贴到画图工具</source>
        <translation>Example: pasting the colour swatch into a paint program</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>读写出错</source>
        <translation>a read or write error</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>没有权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>超出磁盘配额</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>文件系统只读</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>这是文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>路径中有一段不是文件夹</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>文件名太长</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>文件正被占用</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>链接指向的文件不存在</source>
        <translation>the link points to no file</translation>
    </message>
    <message>
        <source>这是文件夹，不是文件</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>GimpPalette</name>
    <message>
        <source>第%1行：%2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>颜色应是三个0到255的数，后接名称</source>
        <translation>a colour should be three numbers from 0 to 255, then a name</translation>
    </message>
    <message>
        <source>含有NUL字节，不是文本文件</source>
        <translation>it holds NUL bytes, it is no text file</translation>
    </message>
    <message>
        <source>不是GIMP调色板：第一行不是“GIMP Palette”</source>
        <translation>not a GIMP palette: the first line is not “GIMP Palette”</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>帮助文档</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>HintLine</name>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
</context>
<context>
    <name>ListsPanel</name>
    <message>
        <source>颜色列表</source>
        <translation>Colour list</translation>
    </message>
    <message>
        <source>选中一行即停止取色并复制它的颜色；菜单键打开右键菜单</source>
        <translation>Choosing a row stops picking and copies its colour; the Menu key opens the context menu</translation>
    </message>
    <message>
        <source>颜色收藏列表</source>
        <translation>Favourite colours</translation>
    </message>
    <message>
        <source>选中一行即停止取色并复制它的颜色；Delete 键删除选中的颜色；菜单键打开右键菜单</source>
        <translation>Choosing a row stops picking and copies its colour; Delete removes the selected colours; the Menu key opens the context menu</translation>
    </message>
    <message>
        <source>当前颜色值</source>
        <translation>Current colour value</translation>
    </message>
    <message>
        <source>删除所有颜色</source>
        <translation>Delete all colours</translation>
    </message>
    <message>
        <source>删除收藏的颜色</source>
        <translation>Delete the chosen favourites</translation>
    </message>
    <message>
        <source>删除所有收藏颜色</source>
        <translation>Delete all favourites</translation>
    </message>
</context>
<context>
    <name>MagnifierPanel</name>
    <message>
        <source>缩小图片</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>放大图片</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>放大镜，指针下的颜色 %1</source>
        <translation>Magnifier, colour under the pointer %1</translation>
    </message>
    <message>
        <source>放大 %1 倍</source>
        <translation>Magnified %1 times</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>当前颜色</source>
        <translation>Current colour</translation>
    </message>
    <message>
        <source>删除所有颜色</source>
        <translation>Delete all colours</translation>
    </message>
    <message>
        <source>打开颜色</source>
        <translation>Open colours</translation>
    </message>
    <message>
        <source>清除收藏</source>
        <translation>Clear favourites</translation>
    </message>
    <message>
        <source>颜色另存为</source>
        <translation>Save colours as</translation>
    </message>
    <message>
        <source>随机取色</source>
        <translation>Random colours</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>复制对比度</source>
        <translation>Copy contrast</translation>
    </message>
    <message>
        <source>取色范围</source>
        <translation>Sample area</translation>
    </message>
    <message>
        <source>单个像素</source>
        <translation>One pixel</translation>
    </message>
    <message>
        <source>3×3 像素的平均</source>
        <translation>Mean of 3×3 pixels</translation>
    </message>
    <message>
        <source>5×5 像素的平均</source>
        <translation>Mean of 5×5 pixels</translation>
    </message>
    <message>
        <source>使用实例</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>帮助文档</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>全局热键（此桌面不提供全局热键）</source>
        <translation>Global hotkey (this desktop offers no global hotkeys)</translation>
    </message>
    <message>
        <source>全局热键 %1</source>
        <translation>Global hotkey %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>复制颜色</source>
        <translation>Copy colour</translation>
    </message>
    <message>
        <source>加颜色到收藏夹</source>
        <translation>Add the colour to the favourites</translation>
    </message>
    <message>
        <source>颜色值(%s)已放入剪贴板，打开任何文本编辑工具，鼠标右键后，可选择粘贴颜色数值</source>
        <translation>The colour value (%s) is on the clipboard: in any text editor, right-click and choose Paste</translation>
    </message>
    <message>
        <source>颜色样图(%s)已放入剪贴板，打开任何图像工具，鼠标右键后，可选择粘贴颜色样图</source>
        <translation>A swatch of the colour (%s) is on the clipboard: in any image tool, right-click and choose Paste</translation>
    </message>
    <message>
        <source>剪贴颜色数值</source>
        <translation>Copy value</translation>
    </message>
    <message>
        <source>剪贴颜色样图</source>
        <translation>Copy swatch</translation>
    </message>
    <message>
        <source>小提示：只有当鼠标移动</source>
        <translation>Tip: move the mouse</translation>
    </message>
    <message>
        <source>到%s窗体以外</source>
        <translation>outside the %s window</translation>
    </message>
    <message>
        <source>此放大镜才有效。</source>
        <translation>for the magnifier to work.</translation>
    </message>
    <message>
        <source>当前位置x=%d,y=%d</source>
        <translation>Position x=%d, y=%d</translation>
    </message>
    <message>
        <source>随机颜色</source>
        <translation>Random colours</translation>
    </message>
    <message>
        <source>鼠标点击下面任一颜色，可取色并退回主窗体</source>
        <translation>Click a colour below to take it</translation>
    </message>
    <message>
        <source>无法读取%s（%s），文件保持原样</source>
        <translation>Cannot read %s (%s); the file is left as it is</translation>
    </message>
    <message>
        <source>无法保存%s（%s），文件保持原样</source>
        <translation>Cannot save %s (%s); the file is left as it is</translation>
    </message>
    <message>
        <source>无法打开%s（%s），颜色列表保持原样</source>
        <translation>Cannot open %s (%s); the colour list is left as it is</translation>
    </message>
    <message>
        <source>此处无法读取屏幕上的颜色</source>
        <translation>The screen&apos;s colours cannot be read here</translation>
    </message>
    <message>
        <source>点击“开始取色”后移动鼠标：单击取色，右击或Esc退出，滚轮缩放</source>
        <translation>Click “Start picking”, then move the mouse: click to pick, right-click or Esc to leave, wheel to zoom</translation>
    </message>
    <message>
        <source>点击“开始取色”，用桌面的取色工具选定一个颜色</source>
        <translation>Click “Start picking” and choose a colour with the desktop&apos;s colour tool</translation>
    </message>
    <message>
        <source>此桌面不允许本程序读取屏幕上的颜色</source>
        <translation>This desktop does not let the program read the screen&apos;s colours</translation>
    </message>
    <message>
        <source>桌面没有提供读取屏幕的接口</source>
        <translation>the desktop offers no way to read the screen</translation>
    </message>
    <message>
        <source>移动鼠标取色：单击选定，右击或Esc退出，滚轮或+/-缩放</source>
        <translation>Move the mouse to pick: click to take, right-click or Esc to leave, wheel or +/- to zoom</translation>
    </message>
    <message>
        <source>桌面没有能打开%s的程序</source>
        <translation>The desktop has no program to open %s</translation>
    </message>
    <message>
        <source>此桌面不让程序移动鼠标，请用鼠标对准</source>
        <translation>This desktop does not let programs move the pointer: aim with the mouse</translation>
    </message>
</context>
<context>
    <name>PickCommand</name>
    <message>
        <source>the screen cannot be read on this desktop</source>
        <translation>the screen cannot be read on this desktop</translation>
    </message>
    <message>
        <source>the screen cannot be read on this desktop: %1</source>
        <translation>the screen cannot be read on this desktop: %1</translation>
    </message>
    <message>
        <source>the pixel under the pointer could not be read</source>
        <translation>the pixel under the pointer could not be read</translation>
    </message>
    <message>
        <source>picking ended without a colour</source>
        <translation>picking ended without a colour</translation>
    </message>
    <message>
        <source>the desktop gave no colour</source>
        <translation>the desktop gave no colour</translation>
    </message>
</context>
<context>
    <name>PlatformLoader</name>
    <message>
        <source>Wayland 桌面</source>
        <translation>the Wayland desktop</translation>
    </message>
</context>
<context>
    <name>PortalColorPick</name>
    <message>
        <source>未选定颜色</source>
        <translation>no colour was chosen</translation>
    </message>
    <message>
        <source>桌面的取色工具未能取色</source>
        <translation>the desktop&apos;s colour tool took no colour</translation>
    </message>
    <message>
        <source>桌面门户的取色工具</source>
        <translation>the desktop portal&apos;s colour tool</translation>
    </message>
</context>
<context>
    <name>PortalGlobalHotkey</name>
    <message>
        <source>全局热键 %1：此桌面不提供全局热键</source>
        <translation>Global hotkey %1: this desktop offers no global hotkeys</translation>
    </message>
    <message>
        <source>复制鼠标所指的颜色</source>
        <translation>Copy the colour under the pointer</translation>
    </message>
    <message>
        <source>全局热键 %1 未获桌面允许</source>
        <translation>Global hotkey %1 was not allowed by the desktop</translation>
    </message>
    <message>
        <source>桌面未能登记全局热键 %1</source>
        <translation>The desktop could not register global hotkey %1</translation>
    </message>
    <message>
        <source>桌面未告知全局热键的按键，可在桌面的快捷键设置中查看或指定</source>
        <translation>The desktop did not say which keys trigger the global hotkey; see or set them in the desktop&apos;s shortcut settings</translation>
    </message>
</context>
<context>
    <name>PortalScreenCast</name>
    <message>
        <source>桌面将询问是否允许本程序读取屏幕，以便取色</source>
        <translation>The desktop will ask whether the program may read the screen to pick colours</translation>
    </message>
    <message>
        <source>正在等待桌面共享屏幕</source>
        <translation>Waiting for the desktop to share the screen</translation>
    </message>
    <message>
        <source>屏幕共享未获允许，无法取色</source>
        <translation>Sharing the screen was not allowed: no colours can be picked</translation>
    </message>
    <message>
        <source>桌面未能共享屏幕，无法取色</source>
        <translation>The desktop could not share the screen: no colours can be picked</translation>
    </message>
    <message>
        <source>此桌面共享屏幕时不提供鼠标位置，无法取色</source>
        <translation>This desktop shares the screen without the pointer&apos;s place: no colours can be picked</translation>
    </message>
    <message>
        <source>屏幕共享已结束，取色已停止</source>
        <translation>Sharing the screen has ended: picking has stopped</translation>
    </message>
    <message>
        <source>桌面的屏幕共享</source>
        <translation>the desktop&apos;s screen sharing</translation>
    </message>
</context>
<context>
    <name>RandomColorWindow</name>
    <message>
        <source>随机提取颜色</source>
        <translation>Random colours</translation>
    </message>
    <message>
        <source>随机取色</source>
        <translation>Random colours</translation>
    </message>
    <message>
        <source>换一组随机颜色</source>
        <translation>Deal a new set of random colours</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>预览的颜色</source>
        <translation>Previewed colour</translation>
    </message>
</context>
<context>
    <name>WinGlobalHotkey</name>
    <message>
        <source>无法识别全局热键 %1</source>
        <translation>Global hotkey %1 is not recognised</translation>
    </message>
    <message>
        <source>全局热键 %1 已被其他程序占用</source>
        <translation>Global hotkey %1 is already taken by another program</translation>
    </message>
    <message>
        <source>桌面未能登记全局热键 %1</source>
        <translation>The desktop could not register global hotkey %1</translation>
    </message>
</context>
<context>
    <name>WlrScreen</name>
    <message>
        <source>wlroots 桌面的屏幕复制</source>
        <translation>the wlroots desktop&apos;s screen copy</translation>
    </message>
</context>
<context>
    <name>XcbGlobalHotkey</name>
    <message>
        <source>无法识别全局热键 %1</source>
        <translation>Global hotkey %1 is not recognised</translation>
    </message>
    <message>
        <source>全局热键 %1 已被其他程序占用</source>
        <translation>Global hotkey %1 is already taken by another program</translation>
    </message>
    <message>
        <source>桌面未能登记全局热键 %1</source>
        <translation>The desktop could not register global hotkey %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the output could not be written</source>
        <translation>the output could not be written</translation>
    </message>
    <message>
        <source>already running with the files in %1; its window is brought to the front</source>
        <translation>already running with the files in %1; its window is brought to the front</translation>
    </message>
</context>
</TS>
