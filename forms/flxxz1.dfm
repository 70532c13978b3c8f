// Contact: how to reach the maker and what the maker is, above the maker's own places for
// advertisements (the two horizontal ones are still free).
object Flxxz1: TFlxxz1
  Left = 220
  Top = 130
  BorderStyle = bsToolWindow
  Caption = '联系Korvane软件'
  ClientHeight = 570
  ClientWidth = 501
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
    Width = 501
    Height = 193
    Font.Charset = 1
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = '宋体'
    Font.Style = []
    object Label1: TLabel
      Left = 12
      Top = 6
      Width = 200
      Height = 17
      Caption = '联系Korvane软件'
      Font.Charset = 1
      Font.Color = clNavy
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = [fsBold]
    end
    object Label2: TLabel
      Left = 24
      Top = 26
      Width = 236
      Height = 74
      Caption =
        '负责人：陈先生'#13#10 +
        '电子邮件：service@korvane.cn'#13#10 +
        '所在城市：浙江杭州'#13#10 +
        '官方网站：www.korvane.cn'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
    end
    object Label6: TLabel
      Left = 264
      Top = 26
      Width = 230
      Height = 74
      Caption =
        '手机：13800000000'#13#10 +
        'QQ：80000001（客服）'#13#10 +
        'QQ：80000002（合作）'#13#10 +
        '销售网站：shop.korvane.cn'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
    end
    object Label3: TLabel
      Left = 12
      Top = 104
      Width = 200
      Height = 17
      Caption = '关于Korvane软件'
      Font.Charset = 1
      Font.Color = clNavy
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = [fsBold]
    end
    object Label4: TLabel
      Left = 24
      Top = 124
      Width = 470
      Height = 56
      Caption =
        'Korvane软件是专注于网络多媒体应用的软件工作室，成立于2003年，'#13#10 +
        '先后推出影视直播、网络收音机等多款免费软件，深受广大网友喜爱。'#13#10 +
        '我们将一如既往地为您提供免费、绿色、好用的软件，欢迎合作交流！'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
    end
  end
  object Label5: TLabel
    Left = 10
    Top = 207
    Width = 390
    Height = 15
    Caption = '广告图片大小：369*162像素（2张横式）  131*335像素（1张竖式）'
    Font.Charset = 1
    Font.Color = clPurple
    Font.Height = -12
    Font.Name = '宋体'
    Font.Style = []
  end
  object BitBtn1: TBitBtn
    Left = 416
    Top = 202
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
    Top = 232
    Width = 501
    Height = 338
    BevelOuter = bvNone
    object Image1: TImage
      Left = 369
      Top = 1
      Width = 132
      Height = 336
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'lxxz_side.jpg'
      OnDblClick = Image1DblClick
    end
    object Image2: TImage
      Left = 0
      Top = 1
      Width = 369
      Height = 163
      Color = $00F8EFE6
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      OnDblClick = Image2DblClick
    end
    object Image3: TImage
      Left = 0
      Top = 174
      Width = 369
      Height = 163
      Color = $00F8EFE6
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      OnDblClick = Image3DblClick
    end
  end
end
