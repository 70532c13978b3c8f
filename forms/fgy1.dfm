// About the program: what it is, its merits, its version and date, above two advertisements.
object Fgy1: TFgy1
  Left = 220
  Top = 130
  BorderStyle = bsToolWindow
  Caption = 'KorvaneTelvana版本信息'
  ClientHeight = 587
  ClientWidth = 497
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  Position = poMainFormCenter
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 497
    Height = 225
    object Label1: TLabel
      Left = 12
      Top = 8
      Width = 120
      Height = 15
      Caption = '系统概述'
      Font.Charset = 1
      Font.Color = clNavy
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = [fsBold]
    end
    object Label2: TLabel
      Left = 12
      Top = 28
      Width = 474
      Height = 32
      Caption =
        '　　Korvane影视Telvana是一款永久免费的网络电视直播软件，汇集了国内外数百个' +
        '电视频道与广播电台，无需注册，一点即看，让您足不出户尽享精彩影音。'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
      WordWrap = True
    end
    object Label3: TLabel
      Left = 12
      Top = 66
      Width = 474
      Height = 94
      Caption =
        '★ 永久免费：无需注册，没有任何功能限制，终身免费使用；'#13#10 +
        '★ 配置要求低：普通电脑加上512K宽带，即可流畅收看；'#13#10 +
        '★ 绿色无污染：不含任何插件、病毒和流氓软件，不修改系统设置；'#13#10 +
        '★ 越多人看越流畅：收看同一频道的人越多，播放反而越流畅；'#13#10 +
        '★ 最佳频道选择：自动为您挑选最快的频道连接，连接成功率高达95%；'#13#10 +
        '★ 定期更新：频道资源定期更新，精彩节目源源不断。'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
    end
    object Label4: TLabel
      Left = 12
      Top = 166
      Width = 300
      Height = 15
      Caption = '广告图片大小：495*176像素（2张横式）'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
    end
    object Label5: TLabel
      Left = 12
      Top = 197
      Width = 380
      Height = 15
      Caption = '当前版本：V9.8        更新日期：2006年1月'
      Font.Charset = 1
      Font.Color = clNavy
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
    end
    object Button1: TButton
      Left = 408
      Top = 192
      Width = 75
      Height = 22
      Cursor = crHandPoint
      Caption = '好极了'
      Cancel = True
      TabOrder = 0
      OnClick = Button1Click
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 226
    Width = 497
    Height = 361
    object Image1: TImage
      Left = 1
      Top = 1
      Width = 495
      Height = 177
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'gy_top.jpg'
      OnDblClick = Image1DblClick
    end
    object Image2: TImage
      Left = 1
      Top = 182
      Width = 495
      Height = 177
      Cursor = crHandPoint
      Picture.Data = file 'gy_bottom.jpg'
      OnDblClick = Image2DblClick
    end
  end
end
