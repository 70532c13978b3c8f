// The commercial advertisement board: its rules and four places for sale. The fourth place
// reacts on its frame (the group box), not on its picture.
object Fsygg1: TFsygg1
  Left = 160
  Top = 100
  BorderStyle = bsToolWindow
  Caption = 'Korvane商业广告区'
  ClientHeight = 564
  ClientWidth = 786
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  Position = poMainFormCenter
  object Label1: TLabel
    Left = 12
    Top = 10
    Width = 200
    Height = 15
    Caption = '商业广告说明：'
    Font.Charset = 1
    Font.Color = clNavy
    Font.Height = -12
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label2: TLabel
    Left = 24
    Top = 30
    Width = 640
    Height = 32
    Caption =
      '1、本软件中除公益广告区、友情广告区以外的广告位均为商业广告位，广告图片大小为360*216像素；'#13#10 +
      '2、广告位采用竞价方式出售，底价为每张图片每月100元，出价高者优先；出价相同的，按时间先后排列。'
    Font.Charset = 1
    Font.Color = clPurple
    Font.Height = -12
    Font.Name = '宋体'
    Font.Style = []
  end
  object BitBtn1: TBitBtn
    Left = 676
    Top = 12
    Width = 75
    Height = 41
    Cursor = crHandPoint
    Caption = 'GOOD'
    Cancel = True
    Kind = bkOK
    Layout = blGlyphTop
    TabOrder = 0
    OnClick = BitBtn1Click
  end
  object Bevel1: TBevel
    Left = 8
    Top = 62
    Width = 740
    Height = 2
    Style = bsRaised
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 70
    Width = 366
    Height = 233
    Caption = '广告连接1'
    object Image1: TImage
      Left = 2
      Top = 14
      Width = 362
      Height = 217
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'sygg_1.jpg'
      OnDblClick = Image1DblClick
    end
  end
  object GroupBox2: TGroupBox
    Left = 382
    Top = 70
    Width = 366
    Height = 233
    Caption = '广告连接2'
    object Image2: TImage
      Left = 2
      Top = 14
      Width = 362
      Height = 217
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      OnDblClick = Image2DblClick
    end
  end
  object GroupBox3: TGroupBox
    Left = 8
    Top = 313
    Width = 366
    Height = 233
    Caption = '广告连接3'
    object Image3: TImage
      Left = 2
      Top = 14
      Width = 362
      Height = 217
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'sygg_3.jpg'
      OnDblClick = Image3DblClick
    end
  end
  object GroupBox4: TGroupBox
    Left = 382
    Top = 313
    Width = 366
    Height = 233
    Caption = '广告连接4'
    Cursor = crHandPoint
    Hint = '双击本广告，光临本网站！'
    ShowHint = True
    OnDblClick = GroupBox4DblClick
    object Image4: TImage
      Left = 2
      Top = 14
      Width = 362
      Height = 217
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
    end
  end
  object Label3: TLabel
    Left = 758
    Top = 86
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '双'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label4: TLabel
    Left = 758
    Top = 108
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '击'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label5: TLabel
    Left = 758
    Top = 130
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '各'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label6: TLabel
    Left = 758
    Top = 152
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '图'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label7: TLabel
    Left = 758
    Top = 174
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '片'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label8: TLabel
    Left = 758
    Top = 326
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '直'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label9: TLabel
    Left = 758
    Top = 348
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '通'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label10: TLabel
    Left = 758
    Top = 370
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '各'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label11: TLabel
    Left = 758
    Top = 392
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '网'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label12: TLabel
    Left = 758
    Top = 414
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '站'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
end
