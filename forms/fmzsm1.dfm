// The disclaimer: the maker's five points on the streams the program finds, above two
// advertisements (the lower panel's places are for rent).
object Fmzsm1: TFmzsm1
  Left = 220
  Top = 130
  BorderStyle = bsToolWindow
  Caption = 'Korvane软件免责申明'
  ClientHeight = 584
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
    Height = 121
    Font.Charset = 1
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = '宋体'
    Font.Style = []
    object Label1: TLabel
      Left = 8
      Top = 6
      Width = 481
      Height = 17
      Alignment = taCenter
      Caption = 'Korvane软件免责申明'
      Font.Charset = 1
      Font.Color = clNavy
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = [fsBold]
    end
    object Label2: TLabel
      Left = 18
      Top = 28
      Width = 471
      Height = 90
      Caption =
        '1、感谢您使用Korvane软件产品！'#13#10 +
        '2、本软件播放的影视资源均来自互联网，其版权归原权利人所有；'#13#10 +
        '3、如有资源侵犯了您的权益，敬请告知，我们将立即予以删除；'#13#10 +
        '4、本软件不对所收录资源的合法性、健康性作任何承诺；'#13#10 +
        '5、因使用上述资源引起的一切纠纷由用户自行负责，本软件概不承担。'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
      WordWrap = True
    end
  end
  object Label3: TLabel
    Left = 10
    Top = 133
    Width = 300
    Height = 15
    Caption = '广告图片大小：495*210像素（2张横式）'
    Font.Charset = 1
    Font.Color = clPurple
    Font.Height = -12
    Font.Name = '宋体'
    Font.Style = []
  end
  object BitBtn1: TBitBtn
    Left = 412
    Top = 128
    Width = 75
    Height = 22
    Cursor = crHandPoint
    Caption = '知道拉'
    Cancel = True
    Kind = bkOK
    TabOrder = 0
    OnClick = BitBtn1Click
  end
  object Panel2: TPanel
    Left = 0
    Top = 157
    Width = 497
    Height = 427
    Hint =
      '本页广告位招租，欢迎洽谈！联系Korvane软件：陈先生  手机：13800000000  ' +
      'QQ：80000001  邮箱：service@korvane.cn'
    ShowHint = True
    object Image2: TImage
      Left = 1
      Top = 1
      Width = 495
      Height = 210
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'mzsm_top.jpg'
      OnDblClick = Image2DblClick
    end
    object Image1: TImage
      Left = 1
      Top = 215
      Width = 495
      Height = 210
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'mzsm_bottom.jpg'
      OnDblClick = Image1DblClick
    end
  end
end
