// The help window: an advertisement at the left; at the right the function layout, what the
// program needs, how it is used, its shortcut keys and answers to the usual problems.
object Fhelp1: TFhelp1
  Left = 200
  Top = 120
  BorderStyle = bsToolWindow
  Caption = '影视直播帮助'
  ClientHeight = 638
  ClientWidth = 857
  Color = $F0FBFF
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  Position = poMainFormCenter
  object GroupBox1: TGroupBox
    Left = 0
    Top = 0
    Width = 171
    Height = 638
    Align = alLeft
    object Label1: TLabel
      Left = 8
      Top = 0
      Width = 100
      Height = 12
      Caption = '广告大小:170*637'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
    end
    object Image2: TImage
      Left = 2
      Top = 9
      Width = 167
      Height = 627
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'help_ad.jpg'
      OnDblClick = Image2DblClick
    end
  end
  object GroupBox2: TGroupBox
    Left = 171
    Top = 0
    Width = 686
    Height = 638
    Align = alClient
    object Image1: TImage
      Left = 6
      Top = 14
      Width = 473
      Height = 369
      Stretch = True
      Picture.Data = file 'help_layout.jpg'
    end
    object Label2: TLabel
      Left = 488
      Top = 20
      Width = 190
      Height = 15
      Caption = '〈〈〈 功能分布图'
      Font.Charset = 1
      Font.Color = clNavy
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = [fsBold]
    end
    object Label3: TLabel
      Left = 488
      Top = 52
      Width = 190
      Height = 15
      Caption = '操作前提'
      Font.Charset = 1
      Font.Color = clWindowText
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = [fsBold]
    end
    object Label4: TLabel
      Left = 488
      Top = 72
      Width = 192
      Height = 88
      Caption =
        '1. 电脑已安装Windows Media Player 9.0或更高版本的播放器；'#13#10 +
        '2. 网络带宽至少512K，流畅收看电视节目最好在1M左右。'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
      WordWrap = True
    end
    object Label5: TLabel
      Left = 488
      Top = 166
      Width = 190
      Height = 15
      Caption = '操作流程'
      Font.Charset = 1
      Font.Color = clWindowText
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = [fsBold]
    end
    object Label6: TLabel
      Left = 488
      Top = 186
      Width = 192
      Height = 104
      Caption =
        '1. 在菜单栏中选择频道类别，右边的频道列表即列出该类全部频道；'#13#10 +
        '2. 在频道列表中双击所选频道，稍候即可收看收听；'#13#10 +
        '3. 在播放器的“直播控制条”上单击右键，可切换屏幕显示模式。'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
      WordWrap = True
    end
    object Label7: TLabel
      Left = 488
      Top = 296
      Width = 192
      Height = 15
      Caption = '快捷键:全屏模式F11 正常模式F12'
      Font.Charset = 1
      Font.Color = clMaroon
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
    end
    object BitBtn1: TBitBtn
      Left = 546
      Top = 324
      Width = 75
      Height = 25
      Cursor = crHandPoint
      Caption = '掌握拉'
      Cancel = True
      Kind = bkOK
      TabOrder = 0
      OnClick = BitBtn1Click
    end
    object Label8: TLabel
      Left = 488
      Top = 366
      Width = 190
      Height = 15
      Caption = '普遍问题'
      Font.Charset = 1
      Font.Color = clWindowText
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = [fsBold]
    end
    object Memo1: TMemo
      Left = 6
      Top = 384
      Width = 673
      Height = 249
      Color = clGray
      Ctl3D = False
      Enabled = False
      Font.Charset = 1
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
      ReadOnly = True
      Lines.Strings = (
        '●所有频道播放都断断续续：多因您的网速偏慢，或电脑同时运行着下载工具、网络游戏等占用带宽的程序。'
        '  解决方法：①关闭其他占用网络的程序；②避开晚间上网高峰时段收看；③换用连接速度更快的频道连接。'
        ''
        '●部分频道播放断断续续：多因该频道所在服务器繁忙，或与您的网络线路不同。解决方法：换用该频道的'
        '  其他连接，或稍后再试。注：512K的频道需要512K以上的带宽，1M的频道需要1M左右的带宽才能流畅播放。'
        ''
        '●所有频道都无法播放，且都显示“就绪”：多为Windows Media Player损坏所致，请卸载后重新安装：'
        '  ①在“控制面板→添加或删除程序”中删除Windows Media Player；②重新启动电脑；③从微软网站'
        '  下载Windows Media Player 9.0或更高版本并安装；④重新启动本软件即可。'
        ''
        '●频道显示“正在连接”或“正在缓冲”时，请耐心等待，一般需要几秒到几十秒。'
        ''
        '●频道显示“就绪”而没有画面时，请重新双击该频道，或换看其他频道。'
        ''
        '●因网络原因，个别节目可能会中途中断，属正常现象，敬请谅解。'
        ''
        '●请记住本软件官方网站 www.korvane.cn ，以便随时获取最新版本和更多精彩频道！')
    end
  end
end
